# SPDX-License-Identifier: GPL-3.0-or-later
# Widget tests: one program per folder, run on the offscreen platform with a scripted
# modal-interaction interface, so no test ever waits for a window.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

file(GLOB TAXILO_GUI_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui_support/*.cpp)
add_library(taxilo_gui_test_support STATIC ${TAXILO_GUI_TEST_SUPPORT})
target_link_libraries(taxilo_gui_test_support PUBLIC taxilo_gui taxilo_test_support Qt6::Test GTest::gtest)

function(taxilo_gui_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(sources)
    add_executable(test_${folder} ${sources})
    target_link_libraries(test_${folder} PRIVATE taxilo_gui_test_support)
    gtest_discover_tests(test_${folder} DISCOVERY_TIMEOUT 120
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    taxilo_test_environment(test_${folder} QT_QPA_PLATFORM=offscreen)
  endif()
endfunction()

foreach(folder platform registers app pages print)
  taxilo_gui_tests(${folder})
endforeach()

# The window's tests compare the main window's replay with taxilo-cli's.
if(TARGET test_app)
  target_compile_definitions(test_app PRIVATE TAXILO_CLI="$<TARGET_FILE:taxilo-cli>")
  add_dependencies(test_app taxilo-cli script_set)
endif()

# The dialogs' layout checks once more on screens scaled to 150% and 200% (144 and 192 dpi).
if(TARGET test_app)
  foreach(scale 1.5 2)
    add_test(NAME DialogLayout.AtScale${scale} COMMAND test_app --gtest_filter=DialogLayout.*)
    set_tests_properties(DialogLayout.AtScale${scale} PROPERTIES
      ENVIRONMENT "${TAXILO_TEST_ENVIRONMENT};QT_QPA_PLATFORM=offscreen;TAXILO_TEST_SCALE=${scale}")
  endforeach()
endif()
