# Runs lupdate over the program's folders into copies of the .ts files, and fails when a text has
# no translation yet (unfinished) or a translation's text is gone from the sources (vanished or
# obsolete). The .ts files themselves are left as they are.
#   cmake -DLUPDATE=<lupdate> -DROOT=<source folder> -DFOLDERS=<a;b> -DTS_FILES=<x.ts;y.ts> -DWORK=<folder> -P checkts.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  list(APPEND copies "${WORK}/${name}")
endforeach()
set(folders)
foreach(folder IN LISTS FOLDERS)
  list(APPEND folders "${ROOT}/${folder}")
endforeach()
execute_process(COMMAND "${LUPDATE}" ${folders} -locations none -ts ${copies}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

set(faults "")
foreach(copy IN LISTS copies)
  get_filename_component(name "${copy}" NAME)
  file(READ "${copy}" content)
  # One message per list entry; a ";" in a text would split it, so it is masked first.
  string(REPLACE ";" "<semicolon>" content "${content}")
  string(REPLACE "</message>" "</message>;" messages "${content}")
  foreach(message IN LISTS messages)
    if(message MATCHES "<translation[^>]*type=\"(unfinished|vanished|obsolete)\"")
      set(kind "${CMAKE_MATCH_1}")
      string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
      string(APPEND faults "  ${name}: ${kind}: ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "The translations are not up to date with the sources. Run "
                      "`cmake --build build/dev --target update_translations`, translate the unfinished "
                      "texts (Qt Linguist, or the .ts files in an editor) and remove the type attributes:\n${faults}")
endif()
message(STATUS "Every text is translated in: ${TS_FILES}")
