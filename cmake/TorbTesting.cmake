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

# torb_add_focus_test(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable whose own windows show on an Xvfb server of its own (the Qt platform xcb,
# keys sent through the server); ctest runs it once under each window manager, as name_none,
# name_twm and name_openbox.
function(torb_add_focus_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE torb_focus_test_main ${T_LIBS})
  foreach(manager none twm openbox)
    add_test(NAME ${T_NAME}_${manager} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}_${manager} PROPERTIES
      ENVIRONMENT "TORB_WINDOW_MANAGER=${manager};TORB_PROGRAM_DIR=${TORB_PROGRAM_DIR};TORB_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      TIMEOUT 300 RESOURCE_LOCK xvfb)
  endforeach()
endfunction()

# torb_add_test_folder(prefix LIBS ...): one test program from the folder's *_test.cpp and, when there
# are any, one from its *_xtest.cpp (those need a display and run one at a time), of which
# *_focus_xtest.cpp make a focus test program (torb_add_focus_test).
function(torb_add_test_folder prefix)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  file(GLOB unit CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(GLOB display CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_xtest.cpp)
  file(GLOB focus CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_focus_xtest.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp)
  if(focus)
    list(REMOVE_ITEM display ${focus})
  endif()
  if(unit)
    torb_add_test(NAME ${prefix}_tests SOURCES ${unit} ${support} LIBS ${F_LIBS} torb_test_support)
  endif()
  if(display)
    torb_add_test(NAME ${prefix}_display_tests SOURCES ${display} ${support} LIBS ${F_LIBS} torb_test_support DISPLAY)
  endif()
  if(focus)
    torb_add_focus_test(NAME ${prefix}_focus_tests SOURCES ${focus} ${support} LIBS ${F_LIBS} torb_test_support)
  endif()
endfunction()
