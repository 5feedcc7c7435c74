# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Builds and runs the consumer, a program outside the source tree, against the control's library.
#   cmake -DMODE=... -DWORK_DIR=... -DSOURCE_DIR=<tests/consumer> -DCXX=... [-DFLAGS=...]
#         [-DBUILD_DIR=...] [-DLIBRARY_SOURCE_DIR=<numedit>] [-DPKG_CONFIG=...] -P run.cmake
# MODE installed: the installed library through its CMake package, then through pkg-config when
#   PKG_CONFIG is given. With BUILD_DIR, that build is installed into a fresh prefix first and
#   only that prefix is used; without, the system's (the Debian package's) is.
# MODE build_tree: the CMake package that the build in BUILD_DIR exports.
# MODE subdirectory: the library's sources added with add_subdirectory(LIBRARY_SOURCE_DIR).
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "failed (${result}): ${command}")
    endif()
endfunction()

# Configures, builds and runs the consumer with the given CMake settings.
function(build_and_run)
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_CXX_COMPILER=${CXX}
        "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}"
        "-DCMAKE_SHARED_LINKER_FLAGS=${FLAGS}" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF ${ARGN})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
    run(${WORK_DIR}/build/consumer)
endfunction()

if(MODE STREQUAL "build_tree")
    build_and_run(-DRyNumEdit_DIR=${BUILD_DIR}/numedit)
    return()
elseif(MODE STREQUAL "subdirectory")
    build_and_run(-DRYNUMEDIT_SOURCE_DIR=${LIBRARY_SOURCE_DIR})
    return()
endif()

# CMake: find_package(RyNumEdit) and the target RyNumEdit::RyNumEdit, nothing else.
if(BUILD_DIR)
    # The library's components only: each keeps its own install manifest in the build, so a
    # whole install done earlier as root (install_manifest.txt) does not get in the way.
    set(prefix ${WORK_DIR}/prefix)
    foreach(component runtime development)
        run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component ${component})
    endforeach()
    build_and_run(-DCMAKE_PREFIX_PATH=${prefix})
else()
    build_and_run()
endif()
if(NOT PKG_CONFIG)
    return()
endif()

# pkg-config: the flags of the installed RyNumEdit.pc (and -fPIC, which Qt asks of its users),
# with uic's header from the build above.
if(BUILD_DIR)
    file(GLOB_RECURSE pc_file ${prefix}/*/RyNumEdit.pc)
    get_filename_component(pc_dir "${pc_file}" DIRECTORY)
    set(ENV{PKG_CONFIG_PATH} ${pc_dir})
endif()
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs RyNumEdit
    OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know RyNumEdit")
endif()
execute_process(COMMAND ${PKG_CONFIG} --variable=libdir RyNumEdit
    OUTPUT_VARIABLE pc_libdir OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra UNIX_COMMAND "${FLAGS}")
file(GLOB_RECURSE ui_header ${WORK_DIR}/build/*/ui_consumer.h)
get_filename_component(ui_dir "${ui_header}" DIRECTORY)
run(${CXX} -std=c++17 -fPIC -DQT_NO_KEYWORDS ${extra} ${SOURCE_DIR}/consumer.cpp -I${ui_dir} ${pc_flags}
    -Wl,-rpath,${pc_libdir} -o ${WORK_DIR}/consumer-pc)
run(${WORK_DIR}/consumer-pc)
