# Fuzz targets: one per thing the program reads from outside.
#
#   vantor_fuzz(NAME SOURCES a.cpp ... LIBS lib ...)
#
# The sources define LLVMFuzzerTestOneInput (and may define
# LLVMFuzzerInitialize). Seeds live in <test folder>/fuzz/seeds/NAME/ and the
# reproducers of past findings in <test folder>/fuzz/regressions/NAME/.
#
# With -DVANTOR_FUZZ=ON (clang, a build folder of its own such as build-fuzz)
# NAME is a libFuzzer program built with address and undefined-behaviour
# sanitizers; `cmake --build build-fuzz --target fuzz` builds them all, and
# build-fuzz/fuzz/NAME.target names the program, its seeds and regressions
# (one per line) for the scripts that run them.
#
# In the ordinary build NAME_replay runs the same code over every seed and
# reproducer once, with the address sanitizer's runtime (leaks included),
# registered as the test Fuzz.NAME, so each reproducer is an ordinary test
# case.
#
# A test folder's fuzz/CMakeLists.txt is added by vantor_fuzz_folders() at the
# end of the top CMakeLists.txt; do not add it yourself.

option(VANTOR_FUZZ "Build the libFuzzer targets (clang) instead of their replay tests" OFF)

if(VANTOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTOR_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

add_custom_target(fuzz)
set(VANTOR_FUZZ_REPLAY_MAIN ${CMAKE_CURRENT_LIST_DIR}/../tests/support/fuzz/FuzzReplayMain.cpp)

function(vantor_fuzz name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  if(CMAKE_CURRENT_SOURCE_DIR MATCHES "/fuzz$")
    set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  else()
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/fuzz)
  endif()
  set(seeds ${dir}/seeds/${name})
  set(regressions ${dir}/regressions/${name})
  if(VANTOR_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz ${name})
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzz/${name}.target
      CONTENT "$<TARGET_FILE:${name}>\n${seeds}\n${regressions}\n")
    set(exe ${name})
  else()
    set(exe ${name}_replay)
    add_executable(${exe} ${F_SOURCES} ${VANTOR_FUZZ_REPLAY_MAIN})
    target_link_libraries(${exe} PRIVATE ${F_LIBS})
    # The sanitizers' runtime finds leaks and bad memory use in the replay
    # too; the libraries stay as they are built.
    if(NOT VANTOR_TSAN)
      target_compile_options(${exe} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
      target_link_options(${exe} PRIVATE -fsanitize=address,undefined)
    endif()
    add_dependencies(fuzz ${exe})
    add_test(NAME Fuzz.${name} COMMAND ${exe} ${seeds} ${regressions}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(Fuzz.${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
  endif()
  vantor_ship_xml(${exe})
endfunction()

# Adds every tests/**/fuzz/CMakeLists.txt, after the libraries they link.
function(vantor_fuzz_folders)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/CMakeLists.txt)
  list(FILTER lists INCLUDE REGEX "/fuzz/CMakeLists\\.txt$")
  foreach(list ${lists})
    get_filename_component(folder ${list} DIRECTORY)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${folder})
    add_subdirectory(${folder} ${CMAKE_BINARY_DIR}/${rel})
  endforeach()
endfunction()
