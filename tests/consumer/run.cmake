# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix, then builds and runs the consumer against that prefix
# only, once through the CMake package and once through pkg-config.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DSOURCE_DIR=... -DCXX=... -DFLAGS=... -P run.cmake
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "failed (${result}): ${command}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# CMake: find_package(RyNumEdit) and the target RyNumEdit::RyNumEdit, nothing else.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}"
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)

# pkg-config: the flags of the installed RyNumEdit.pc, with uic's header from the build above.
file(GLOB_RECURSE pc_file ${prefix}/*/RyNumEdit.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
execute_process(COMMAND pkg-config --cflags --libs RyNumEdit
    OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know RyNumEdit")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra UNIX_COMMAND "${FLAGS}")
file(GLOB_RECURSE ui_header ${WORK_DIR}/build/*/ui_consumer.h)
get_filename_component(ui_dir "${ui_header}" DIRECTORY)
run(${CXX} -std=c++17 -fPIC ${extra} ${SOURCE_DIR}/consumer.cpp -I${ui_dir} ${pc_flags}
    -Wl,-rpath,${pc_dir}/.. -o ${WORK_DIR}/consumer-pc)
run(${WORK_DIR}/consumer-pc)
