# Writes the C++ names of the language text numbers from the list of numbers.
#   cmake -DLIST=<text_numbers.txt> -DOUTPUT=<lang_text_ids.h> -P LangTextIds.cmake
#
# A list line "<number> <Name>: <use>" gives the number the name Txt::<Name>; a
# line without a name ("<number> <use>") gives it Txt::Text<number>. A comment
# line "# <Name> = <number> + <term>: <use>" names the base of numbers the code
# forms by adding an index or a kind (Txt::ProgressCaption + kind).
cmake_minimum_required(VERSION 3.25)

if(NOT LIST OR NOT OUTPUT)
  message(FATAL_ERROR "LangTextIds.cmake needs -DLIST=<file> and -DOUTPUT=<file>")
endif()

file(READ "${LIST}" _text)
# Semicolons and brackets in the uses would split or join list elements.
string(REPLACE ";" "," _text "${_text}")
string(REPLACE "[" "(" _text "${_text}")
string(REPLACE "]" ")" _text "${_text}")
string(REPLACE "\r" "" _text "${_text}")
string(REPLACE "\n" ";" _lines "${_text}")

set(_names "")
set(_constants "")
set(_table "")
set(_lineNo 0)
foreach(_line IN LISTS _lines)
  math(EXPR _lineNo "${_lineNo} + 1")
  set(_name "")
  if(_line MATCHES "^([0-9]+)[ \t]+([A-Z][A-Za-z0-9]*):")
    set(_number "${CMAKE_MATCH_1}")
    set(_name "${CMAKE_MATCH_2}")
    set(_kind "text")
  elseif(_line MATCHES "^([0-9]+)([ \t]|$)")
    set(_number "${CMAKE_MATCH_1}")
    set(_name "Text${_number}")
    set(_kind "text")
  elseif(_line MATCHES "^#[ \t]*([A-Z][A-Za-z0-9]*)[ \t]*=[ \t]*([0-9]+)[ \t]*[+-]")
    set(_number "${CMAKE_MATCH_2}")
    set(_name "${CMAKE_MATCH_1}")
    set(_kind "base")
  endif()
  if(_name STREQUAL "")
    continue()
  endif()
  if("${_name}" IN_LIST _names)
    message(FATAL_ERROR "${LIST}:${_lineNo}: the name ${_name} is given twice")
  endif()
  list(APPEND _names "${_name}")
  string(APPEND _constants "inline constexpr std::int32_t ${_name} = ${_number};\n")
  if(_kind STREQUAL "text")
    string(APPEND _table "    {\"${_name}\", ${_number}},\n")
  endif()
endforeach()

set(_header "// Generated at build time from data/language/text_numbers.txt; edit that list, not this file.
#pragma once

#include <cstdint>

// The language text numbers by name: GetLangText(Txt::BadFrequency).
namespace Txt {

${_constants}
struct Named {
    const char* name;
    std::int32_t number;
};

// Every listed text (not the bases of formed numbers), in the order of the list.
inline constexpr Named All[] = {
${_table}};

}  // namespace Txt
")

# Rewrite only on change, so that an edit of a use text rebuilds nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" _old)
  if(_old STREQUAL _header)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${_header}")
