# lmv_add_gtest(NAME [GUI] SOURCES ... LIBS ...): one GoogleTest program whose tests CTest runs
# on the offscreen platform, so nothing needs a display. GUI tests get a QApplication.
# LMV_SOURCE_DIR (a compile definition) is the repository root, for fixtures kept in the tree.
function(lmv_add_gtest name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    set(entry lmv_gui_test_main)
  else()
    set(entry lmv_core_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} lmv_test_support ${entry})
  target_compile_definitions(${name} PRIVATE LMV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endfunction()

# lmv_add_fuzzer(NAME SOURCE file CORPUS dir LIBS ...): a libFuzzer target. Every build links it with
# a replay entry that runs each corpus file once (a CTest test); with LMV_FUZZ the real fuzzer is built too.
function(lmv_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "LIBS" ${ARGN})
  add_executable(${name}_replay ${ARG_SOURCE} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
  add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
  set_tests_properties(${name}_corpus PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  if(LMV_FUZZ)
    add_executable(${name} ${ARG_SOURCE})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  endif()
endfunction()
