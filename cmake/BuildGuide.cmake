# Builds the user guide: the Markdown chapters of SOURCE_DIR (sorted by name)
# become one HTML page OUTPUT_DIR/index.html with a table of contents, and
# the pictures of SOURCE_DIR/images are copied beside it.
#   cmake -DMARKDOWN=<markdown_py> -DSOURCE_DIR=... -DOUTPUT_DIR=... -DRELEASE=... -P BuildGuide.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB _chapters "${SOURCE_DIR}/*.md")
list(SORT _chapters)
set(_text "[TOC]\n\n")
foreach(_chapter IN LISTS _chapters)
  file(READ "${_chapter}" _chapter_text)
  string(APPEND _text "${_chapter_text}\n\n")
endforeach()
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
file(WRITE "${OUTPUT_DIR}/guide.md" "${_text}")
execute_process(
  COMMAND "${MARKDOWN}" -x toc -x tables -x attr_list -o html -e utf-8 "${OUTPUT_DIR}/guide.md"
  OUTPUT_VARIABLE _body RESULT_VARIABLE _status ERROR_VARIABLE _errors)
if(NOT _status EQUAL 0 OR NOT _errors STREQUAL "")
  message(FATAL_ERROR "markdown failed (${_status}): ${_errors}")
endif()
file(REMOVE "${OUTPUT_DIR}/guide.md")
file(READ "${SOURCE_DIR}/template.html" _page)
string(REPLACE "@BODY@" "${_body}" _page "${_page}")
string(REPLACE "@RELEASE@" "${RELEASE}" _page "${_page}")
file(WRITE "${OUTPUT_DIR}/index.html" "${_page}")
file(REMOVE_RECURSE "${OUTPUT_DIR}/images")
file(COPY "${SOURCE_DIR}/images" DESTINATION "${OUTPUT_DIR}")
