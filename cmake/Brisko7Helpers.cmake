# Puts a program into the program folder of the staged tree and installs it there.
function(brisko7_stage_program target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY "${BRISKO7_STAGE_PROGRAM}")
  install(TARGETS ${target} RUNTIME DESTINATION "${BRISKO7_PROGRAM_VERSION}")
endfunction()

# One test program per folder under tests/: every *.cpp file of the folder.
#   brisko7_add_test_dir(NAME <name> LIBS <libs...> [LABELS <labels>])
function(brisko7_add_test_dir)
  cmake_parse_arguments(T "" "NAME" "LIBS;LABELS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${T_NAME} ${_sources})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    BRISKO7_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    BRISKO7_STAGE_ROOT="${BRISKO7_STAGE_ROOT}"
    BRISKO7_STAGE_PROGRAM="${BRISKO7_STAGE_PROGRAM}")
  gtest_discover_tests(${T_NAME}
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${T_LABELS}")
endfunction()
