# Builds the Debian package from the finished build and checks what it holds.
file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(COMMAND cpack -G DEB -B "${OUT_DIR}" WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
file(GLOB debs "${OUT_DIR}/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT_DIR}, found ${count}")
endif()
execute_process(COMMAND dpkg-deb -c ${debs} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends)
execute_process(COMMAND dpkg-deb -f ${debs} Recommends OUTPUT_VARIABLE recommends)
# Every language file of the source tree is installed beside english.ini.
file(GLOB languages RELATIVE "${SOURCE_DIR}/data/language" "${SOURCE_DIR}/data/language/*.ini")
set(language_files)
foreach(language ${languages})
  list(APPEND language_files "./opt/brisko7/V100/language/${language}")
endforeach()
foreach(expected ${language_files}
    "./opt/brisko7/V100/brisko7"
    "./opt/brisko7/V100/brisko7-cli"
    "./opt/brisko7/V100/language/english.ini"
    "./opt/brisko7/V100/StartE.jpg"
    "./opt/brisko7/V100/Init/BRISKO7_1_NEW.dat"
    "./opt/brisko7/Version.ini"
    "./usr/bin/brisko7"
    "./usr/share/applications/org.brisko7.Brisko7.desktop"
    "./usr/share/metainfo/org.brisko7.Brisko7.metainfo.xml"
    "./usr/share/mime/packages/org.brisko7.Brisko7.xml"
    "./usr/share/icons/hicolor/48x48/apps/org.brisko7.Brisko7.png")
  string(FIND "${contents}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${expected}:\n${contents}")
  endif()
endforeach()
foreach(dependency libqt6widgets6 libqt6serialport6 qt6-qpa-plugins)
  string(FIND "${depends}" "${dependency}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package does not depend on ${dependency}: ${depends}")
  endif()
endforeach()
# The toolkit's own dialogs speak the chosen language only with its translations.
string(FIND "${recommends}" "qt6-translations-l10n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the package does not recommend qt6-translations-l10n: ${recommends}")
endif()
