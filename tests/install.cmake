# The installed form: install rules, desktop entry, catalogues found where they
# were installed, and the Debian package. Both run from the built tree.
add_library(zelvit_dialogprobe MODULE install/dialogprobe.cpp)
target_link_libraries(zelvit_dialogprobe PRIVATE Qt5::Widgets)
set(zelvit_check_install ${PROJECT_SOURCE_DIR}/scripts/zelvit-env -- ${CMAKE_CURRENT_SOURCE_DIR}/install/check-install.sh)
add_test(NAME install_layout
         COMMAND ${zelvit_check_install} install ${CMAKE_BINARY_DIR} $<TARGET_FILE:zelvit_dialogprobe>)
add_test(NAME install_package COMMAND ${zelvit_check_install} package ${CMAKE_BINARY_DIR})
set_tests_properties(install_layout install_package PROPERTIES TIMEOUT 180)
