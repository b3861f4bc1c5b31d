# The Windows program: framework layer, resources, pages, About box and shell.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)

add_subdirectory(shell/framework)
if(EXISTS ${PROJECT_SOURCE_DIR}/res/CMakeLists.txt)
  add_subdirectory(res)
endif()

# Everything of the program but its entry point, so that the GUI tests run
# the very same sheet, pages and dialogs.
file(GLOB app_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/pages/*.cpp
  ${PROJECT_SOURCE_DIR}/about/*.cpp
  ${PROJECT_SOURCE_DIR}/shell/*.cpp)
list(REMOVE_ITEM app_sources ${PROJECT_SOURCE_DIR}/shell/main.cpp)
add_library(jednotar_app STATIC ${app_sources} ${PROJECT_SOURCE_DIR}/units/fill_unit_lists.cpp)
target_include_directories(jednotar_app PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(jednotar_app PUBLIC framework units convert comctl32 shell32 gdi32 user32 advapi32)

add_executable(jednotar WIN32 ${PROJECT_SOURCE_DIR}/shell/main.cpp)
target_link_libraries(jednotar PRIVATE jednotar_app resources)
set_target_properties(jednotar PROPERTIES OUTPUT_NAME jednotar)

add_subdirectory(tests/support)
if(EXISTS ${PROJECT_SOURCE_DIR}/tests/gui/CMakeLists.txt)
  add_subdirectory(tests/gui)
endif()
