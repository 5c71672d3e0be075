# Fails when a file in a widget-free layer includes a Qt Widgets or Qt Gui
# header: those layers are shared by the window, the browser panel and the
# station software routes, and must build with Qt Core alone.
#
#   cmake -DSOURCE_DIR=... -DWIDGETS_DIR=... -DGUI_DIR=... -DLAYERS="link;protocol;..." -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB widget_headers RELATIVE ${WIDGETS_DIR} ${WIDGETS_DIR}/Q*)
file(GLOB gui_headers RELATIVE ${GUI_DIR} ${GUI_DIR}/Q*)
set(forbidden ${widget_headers} ${gui_headers})
set(failures "")
foreach(layer ${LAYERS})
    file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*" "\\1" header "${line}")
            string(REGEX REPLACE "^(QtWidgets|QtGui)/" "" bare "${header}")
            if(header MATCHES "^(QtWidgets|QtGui)/" OR bare IN_LIST forbidden)
                list(APPEND failures "${file}: ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n  " report)
    message(FATAL_ERROR "Widget or Gui headers in widget-free layers:\n  ${report}")
endif()
message(STATUS "No widget-free layer includes a Qt Widgets or Gui header.")
