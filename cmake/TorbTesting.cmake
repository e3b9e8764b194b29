# torb_add_test(NAME name SOURCES ... LIBS ... [DISPLAY])
# One GoogleTest executable per call, run through ctest with the offscreen Qt platform.
# DISPLAY marks tests that start their own Xvfb server and must not share it with others.
function(torb_add_test)
  cmake_parse_arguments(T "DISPLAY" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE torb_test_main ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TORB_PROGRAM_DIR=${TORB_PROGRAM_DIR};TORB_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 300)
  if(T_DISPLAY)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK xvfb)
  endif()
endfunction()
