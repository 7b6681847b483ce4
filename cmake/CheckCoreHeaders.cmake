# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file of the core library includes a header of another layer
# (gui, cli, app, platform), reaches outside its folder, or includes a Qt GUI
# or widget header. The core's include path holds only src/core, so most such
# includes would not compile anyway; this also catches relative paths and
# Qt's module folders, which its include root would let through.
file(GLOB_RECURSE files "${ROOT}/*.h" "${ROOT}/*.cpp")
set(forbidden "#[ \t]*include[ \t]*([<\"](QtWidgets/|QtGui/|QWidget|QApplication|QGuiApplication|QClipboard|QMessageBox|QFileDialog|QColor|QBrush|QPalette|QFont|QScreen|QAction|QMenu|QIcon|QPixmap|QCursor)|\"(gui|cli|app|platform)/|\"\\.\\./)")
set(found "")
foreach(file IN LISTS files)
    file(STRINGS "${file}" hits REGEX "${forbidden}")
    foreach(hit IN LISTS hits)
        list(APPEND found "${file}: ${hit}")
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " report)
    message(FATAL_ERROR "Headers of other layers in the core library:\n  ${report}")
endif()
file(TOUCH "${STAMP}")
