#include "transfer/transfer_status.h"

#include "model/catalogue.h"

namespace lumo {

wxString StatusText(int code) {
    if (code < 0 || code >= static_cast<int>(TransferStatusTexts.size())) return "Bad Index";
    return TransferStatusTexts[code];
}

}  // namespace lumo
