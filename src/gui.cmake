# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt layers: ui, platform, pages, registers, print and the app windows, in one static library
# that the program, the widget tests and the benchmarks link.
find_package(Qt6 REQUIRED COMPONENTS Widgets Gui PrintSupport Network)
# The e-Deklaracje hand-off writes the ministry application's database through the C API.
find_package(SQLite3 REQUIRED)
set(CMAKE_AUTOMOC ON)

file(GLOB TAXILO_GUI_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pages/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/registers/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/print/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/pages/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/registers/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/print/*.h
  ${CMAKE_CURRENT_SOURCE_DIR}/app/*.h)
list(FILTER TAXILO_GUI_SOURCES EXCLUDE REGEX "/app/main\\.cpp$")
add_library(taxilo_gui STATIC ${TAXILO_GUI_SOURCES})
target_include_directories(taxilo_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(taxilo_gui PUBLIC taxilo_core taxilo_print_core Qt6::Widgets Qt6::Gui Qt6::PrintSupport Qt6::Network SQLite::SQLite3)

# Pictures under the names the program asks for (":/OPP_BG.png", ...). qt_add_resources on a
# static library links the resource objects into every user, so no Q_INIT_RESOURCE is needed.
file(GLOB TAXILO_PICTURES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../resources/*.png)
if(TAXILO_PICTURES)
  qt_add_resources(taxilo_gui "taxilo_pictures" PREFIX "/" BASE ${CMAKE_CURRENT_LIST_DIR}/../resources
    FILES ${TAXILO_PICTURES})
endif()

# Bundled fonts (Liberation Sans for Arial, Carlito for Calibri), registered at start-up.
file(GLOB TAXILO_FONTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../resources/fonts/*.ttf)
if(TAXILO_FONTS)
  qt_add_resources(taxilo_gui "taxilo_fonts" PREFIX "/fonts" BASE ${CMAKE_CURRENT_LIST_DIR}/../resources/fonts
    FILES ${TAXILO_FONTS})
endif()
# The program's icon in the sizes the menu entry installs, for the windows' title bars.
file(GLOB TAXILO_ICONS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../packaging/icons/taxilo-*.png)
qt_add_resources(taxilo_gui "taxilo_icons" PREFIX "/icons" BASE ${CMAKE_CURRENT_LIST_DIR}/../packaging/icons
  FILES ${TAXILO_ICONS})
target_compile_definitions(taxilo_gui PRIVATE TAXILO_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  TAXILO_VERSION_MINOR=${PROJECT_VERSION_MINOR})

# The wizard itself, in the program folder beside its script set.
add_executable(taxilo ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(taxilo PRIVATE taxilo_gui)
add_dependencies(taxilo script_set)
