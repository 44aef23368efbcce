// The backups Lumo takes of a radio before it writes to it: one data file per write, named by
// radio model, radio ID (where the radio reports one), date and time, in the user's data
// folder. Only the newest backups of each radio are kept.
#pragma once

#include "pages/page.h"

#include <wx/datetime.h>
#include <wx/string.h>

namespace lumo {

constexpr int kBackupsKept = 50;

// $XDG_DATA_HOME/lumo/backups, or ~/.local/share/lumo/backups without it.
wxString DefaultBackupFolder();

// "VRD-21_20260512093000_2026-05-12_10-30-00.lumo", or without the ID part.
wxString BackupFileName(const wxString& model, const wxString& radioId, const wxDateTime& when);

// Saves the page (a radio just read) as a backup in the folder, made when missing, and removes
// the radio's backups beyond the newest kBackupsKept. Returns the file, or empty with `error`.
wxString SaveBackup(const Page& page, const wxString& folder, const wxString& radioId,
                    const wxDateTime& when, wxString* error);

// The newest backup of a radio model in the folder (any radio ID); empty when there is none.
wxString LastBackup(const wxString& folder, const wxString& model);

}  // namespace lumo
