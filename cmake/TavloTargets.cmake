# One static library per source folder; the sources of a folder are picked up
# by globbing so that adding a file needs no edit here.
function(tavlo_library name folder)
  # A ring may group its files in sub-folders (the editor's pages, panels...).
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  add_library(${name} STATIC ${sources})
  # The ring's include root in the build tree holds only a link named after the
  # folder, so "model/X.h" is found exactly where the ring is linked: an include
  # that runs outward does not compile, whatever the header.
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test executable per test folder, each test case registered with CTest.
# The window-fit cases (suites named WindowFit*) run on a 1366x768 offscreen
# screen, once at 100% and once at 125% scaling.
function(tavlo_test name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE tavlo_testsupport ${ARGN})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    TEST_FILTER "-WindowFit*"
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
  set(laptop_screen -platform "offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/support/LaptopScreen.json")
  foreach(scale 1 1.25)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER "WindowFit*"
      TEST_SUFFIX "@scale${scale}"
      EXTRA_ARGS ${laptop_screen}
      PROPERTIES ENVIRONMENT "QT_SCALE_FACTOR=${scale}"
      DISCOVERY_TIMEOUT 60)
  endforeach()
endfunction()
