# cmake -DPROGRAM=... -DPAGE=... -DGROFF=... -P check_man_page.cmake
# Fails when the page draws a groff warning, or when a verb or an option that
# `PROGRAM --help` shows is missing from the page.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${GROFF}" -ww -man -z "${PAGE}" RESULT_VARIABLE _status ERROR_VARIABLE _warnings)
if(NOT _status EQUAL 0 OR NOT _warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE}: ${_warnings}")
endif()

execute_process(COMMAND "${PROGRAM}" --help RESULT_VARIABLE _status OUTPUT_VARIABLE _help)
if(NOT _status EQUAL 0 OR _help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help ended with ${_status}")
endif()

# The page as text: roff's escaped hyphens and font changes removed.
file(READ "${PAGE}" _page)
string(REPLACE "\\-" "-" _page "${_page}")
string(REGEX REPLACE "\\\\f[BIRP]" "" _page "${_page}")

# Options: every -x and --word of the help. Verbs: the first word of the
# help's indented lines that start with a lower-case letter.
# Brackets, bars and commas become spaces first (a bracket in a CMake list
# item would join items).
string(REGEX REPLACE "[][|,;]" " " _help "${_help}")
string(REGEX MATCHALL "[ \n]--?[a-z][-a-z]*" _options "${_help}")
string(REGEX MATCHALL "\n  [a-z][-a-z]* " _verbs "${_help}")
set(_missing)
foreach(_word IN LISTS _options)
  string(STRIP "${_word}" _word)
  string(REGEX MATCH "(^|[^-a-z])${_word}([^-a-z]|$)" _found "${_page}")
  if(NOT _found)
    list(APPEND _missing "${_word}")
  endif()
endforeach()
# A page with a VERBS section heads an item with each verb: .B verb or .BI "verb ...
if(NOT _page MATCHES "\n\\.SH VERBS\n")
  set(_verbs)
endif()
foreach(_word IN LISTS _verbs)
  string(STRIP "${_word}" _word)
  string(REGEX MATCH "\n\\.BI? \"?${_word}[ \"\n]" _found "${_page}")
  if(NOT _found)
    list(APPEND _missing "${_word}")
  endif()
endforeach()
list(REMOVE_DUPLICATES _missing)
if(_missing)
  message(FATAL_ERROR "${PAGE} lacks what --help shows: ${_missing}")
endif()
list(LENGTH _options _option_count)
list(LENGTH _verbs _verb_count)
message(STATUS "${PAGE}: ${_option_count} options and ${_verb_count} verbs of --help found")
