# Windows side: the Win32 platform layer, the program, its kits and companion, and the tests
# that run under Wine.

# ctest and the scripts run Windows executables through this wrapper, which pins the private
# Wine prefix of this build tree.
set(HALVERTONE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# The Windows side of each floor is a library of its own on top of that floor and of the
# Windows side of the floors below. Program entry points are kept out so tests can link it.
set(win32_below halvertone_base)
foreach(floor IN LISTS HALVERTONE_FLOORS)
    set(sources ${win32_sources_${floor}})
    list(FILTER sources EXCLUDE REGEX "/win32/program/")
    if(NOT sources)
        continue()
    endif()
    add_library(halvertone_${floor}_win32 STATIC ${sources})
    target_compile_options(halvertone_${floor}_win32 PRIVATE ${HALVERTONE_WARNINGS})
    target_link_libraries(halvertone_${floor}_win32 PUBLIC halvertone_${floor} ${win32_below}
        gdiplus gdi32 user32 shell32 comdlg32 comctl32 ole32 oleaut32 uuid strmiids advapi32 winmm)
    set(win32_below halvertone_${floor}_win32)
endforeach()
# Everything the program runs on, for the program, its tests and tools.
add_library(halvertone_win32 INTERFACE)
target_link_libraries(halvertone_win32 INTERFACE ${win32_below} halvertone_core)

# Output layout: everything a user runs lands in one program directory.
set(HALVERTONE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
file(MAKE_DIRECTORY ${HALVERTONE_PROGRAM_DIR})

foreach(sub kits companion shell/win32/program resources tools/win32 packaging)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${sub}/CMakeLists.txt)
        add_subdirectory(${sub})
    endif()
endforeach()

file(GLOB win32_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(win32_test_sources)
    add_executable(win32_tests ${win32_test_sources})
    target_compile_options(win32_tests PRIVATE ${HALVERTONE_WARNINGS})
    target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(win32_tests PRIVATE halvertone_win32 virtual_webcam_parts halvertone_doubles
        GTest::gmock GTest::gtest_main)
    add_dependencies(win32_tests virtual_webcam)
    target_compile_definitions(win32_tests PRIVATE
        HALVERTONE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" HALVERTONE_PROGRAM_DIR="${HALVERTONE_PROGRAM_DIR}"
        HALVERTONE_WEBCAM_DLL="$<TARGET_FILE:virtual_webcam>")
    gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS win32)
endif()
