# The Windows build under Wine, in the same private namespace and with the same fixture as the Linux
# build. A throw-away Wine prefix in the build tree is made once, before the tests that need it.
find_program(WINE_COMMAND wine REQUIRED)
find_program(WINEBOOT_COMMAND wineboot REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TWOWAY_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# Reads the console's attribute back, before and after a run of twoway.exe.
add_executable(console_probe e2e/console_probe_win32.cc)
target_link_options(console_probe PRIVATE -static)

add_test(NAME wine_prefix COMMAND ${WINEBOOT_COMMAND} -i)
add_test(NAME wine_end_to_end
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/hermetic ${CMAKE_CURRENT_SOURCE_DIR}/e2e/fixture
          ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_test.py $<TARGET_FILE:twoway>
          $<TARGET_FILE:console_probe>)
set_tests_properties(wine_prefix wine_end_to_end PROPERTIES
  ENVIRONMENT "WINEPREFIX=${TWOWAY_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_end_to_end PROPERTIES FIXTURES_REQUIRED wine SKIP_RETURN_CODE 77 TIMEOUT 600)
