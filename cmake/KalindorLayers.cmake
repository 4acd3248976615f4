# The line between the core and the windows, kept by the build: a core library links Qt Core alone
# (besides the sound libraries and other core libraries), and none of its files may include a header of
# Qt Gui or Qt Widgets. The desktop's ties and the command line may use Qt DBus and Qt Network as well,
# but no more Qt Gui than the core. Break any of it and configuring or compiling fails with a line that
# says so.
#
#   kalindor_core_library(NAME sources...)        a static library of the core, its folder its public headers
#   kalindor_windowless_library(NAME sources...)  the same, that may also reach the session bus and sockets
#   kalindor_window_library(NAME sources...)      a static library of the windows (Qt Widgets), the same way
#   kalindor_check_core()                         once every target exists: the link check

# Every header of Qt Gui and Qt Widgets, by both of the names it can be included by (<QWidget>,
# <QtWidgets/QWidget>), stands in a folder of its own as a file that stops the compiler. That folder comes
# first on a core library's include path, so such an include finds it before Qt's own.
function(_kalindor_make_poison_headers folder)
    file(GLOB core_headers RELATIVE ${_kalindor_qt_core_dir} ${_kalindor_qt_core_dir}/*)
    foreach(module Gui Widgets)
        get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(dir ${dirs})
            get_filename_component(leaf ${dir} NAME)
            if(NOT leaf STREQUAL "Qt${module}" OR NOT IS_DIRECTORY ${dir})
                continue()
            endif()
            file(GLOB headers RELATIVE ${dir} ${dir}/*)
            foreach(header ${headers})
                if(IS_DIRECTORY ${dir}/${header})
                    continue()
                endif()
                set(stop "#error \"${header} is Qt ${module}: the core links Qt Core alone; this belongs in a window/ folder\"\n")
                file(WRITE ${folder}/${leaf}/${header} "${stop}")
                if(NOT header IN_LIST core_headers AND NOT header STREQUAL leaf)
                    file(WRITE ${folder}/${header} "${stop}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()

get_target_property(_kalindor_qt_core_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
foreach(dir ${_kalindor_qt_core_dirs})
    get_filename_component(leaf ${dir} NAME)
    if(leaf STREQUAL "QtCore")
        set(_kalindor_qt_core_dir ${dir})
    endif()
endforeach()
set(KALINDOR_POISON_DIR ${CMAKE_BINARY_DIR}/core-include-guard-${Qt6_VERSION})
if(NOT EXISTS ${KALINDOR_POISON_DIR}/QtWidgets/QWidget)
    _kalindor_make_poison_headers(${KALINDOR_POISON_DIR})
endif()

function(kalindor_windowless_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_include_directories(${name} BEFORE PRIVATE ${KALINDOR_POISON_DIR})
    set_property(GLOBAL APPEND PROPERTY KALINDOR_WINDOWLESS_LIBRARIES ${name})
endfunction()

function(kalindor_core_library name)
    kalindor_windowless_library(${name} ${ARGN})
    set_property(GLOBAL APPEND PROPERTY KALINDOR_CORE_LIBRARIES ${name})
endfunction()

function(kalindor_window_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
endfunction()

# Everything `target` links, directly or through what it links.
function(_kalindor_link_closure target out)
    set(seen "")
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            list(APPEND todo ${aliased})
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${current} ${property})
            if(links)
                foreach(link ${links})
                    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
                    list(APPEND todo ${link})
                endforeach()
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(_kalindor_forbid kind libraries)
    foreach(name ${libraries})
        _kalindor_link_closure(${name} closure)
        foreach(forbidden ${ARGN})
            if(forbidden IN_LIST closure)
                message(FATAL_ERROR "${name} is ${kind} but links ${forbidden}, directly or through another library")
            endif()
        endforeach()
    endforeach()
endfunction()

function(kalindor_check_core)
    get_property(windowless GLOBAL PROPERTY KALINDOR_WINDOWLESS_LIBRARIES)
    _kalindor_forbid("a library without windows" "${windowless}" Qt6::Gui Qt6::Widgets)
    get_property(core GLOBAL PROPERTY KALINDOR_CORE_LIBRARIES)
    _kalindor_forbid("in the core, which links Qt Core alone" "${core}" Qt6::DBus Qt6::Network)
endfunction()
