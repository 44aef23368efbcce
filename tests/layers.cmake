# Fails when a source file includes a header of a higher layer, or of another folder of its own
# layer below the top (files, import, export and transfer do not use each other).
# Run as: cmake -DROOT=<source dir> -P layers.cmake
set(layers
  "util:0" "model:1" "rules:2" "pages:3" "edit:4"
  "files:5" "import:5" "export:5" "transfer:5"
  "commands:6" "app:7" "print:7" "tools:7")
set(top 7)
foreach(entry IN LISTS layers)
  string(REPLACE ":" ";" pair "${entry}")
  list(GET pair 0 name)
  list(GET pair 1 rank_${name})
endforeach()

file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/src/*.h" "${ROOT}/src/*.cpp"
     "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "^src/(core/)?" "" inner "${source}")
  string(REGEX REPLACE "/.*" "" folder "${inner}")
  if(NOT DEFINED rank_${folder})
    string(APPEND faults "${source}: folder '${folder}' has no layer\n")
    continue()
  endif()
  file(STRINGS "${ROOT}/${source}" includes REGEX "^#include \"[a-z_]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${line}")
    if(used STREQUAL folder OR NOT DEFINED rank_${used})
      continue()
    endif()
    if(rank_${used} GREATER rank_${folder}
       OR (rank_${used} EQUAL rank_${folder} AND rank_${folder} LESS top))
      string(APPEND faults "${source}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the layer order (docs/ARCHITECTURE.md):\n${faults}")
endif()
