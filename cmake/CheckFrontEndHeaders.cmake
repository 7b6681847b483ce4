# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file of a front end (the window, the command line) includes a
# core header that is not listed here. The front ends change the core only
# through the session; besides it they may read the ground types, the
# services, the value types, the text, naming, i18n and settings helpers
# below and the wording of a refused folder lock. The renaming's
# internals (plan order, journal, command), the settings file's reader and
# the workspace behind the session stay the core's own.
#
# ROOT: the front end's folder; OWN: its include root; CORE: the core's.
set(allowed_core_headers
    base/AppError.h
    base/AppIdentity.h
    base/SpecialFolders.h
    files/InitialFolder.h
    i18n/BuiltInTexts.h
    i18n/ErrorReasons.h
    i18n/LanguageChoice.h
    i18n/LanguageFile.h
    i18n/QtTranslations.h
    i18n/TextKeys.h
    i18n/TranslationCatalogue.h
    naming/NamePipeline.h
    naming/Numbering.h
    naming/PasteSources.h
    naming/TemplateFields.h
    naming/TreatmentOptions.h
    rename/RenameOutcome.h
    services/AppContext.h
    services/Clipboard.h
    services/Dialogs.h
    services/FileSystem.h
    services/Launcher.h
    services/NotificationArea.h
    services/Prompter.h
    services/TagReading.h
    session/AppState.h
    session/RenameSession.h
    settings/GeneralSettings.h
    settings/Paths.h
    settings/SettingsLocation.h
    settings/WindowSettings.h
    text/FileNameBytes.h
    text/NaturalSort.h
    text/TextDecoding.h
    text/TextHelpers.h
)

file(GLOB_RECURSE files "${ROOT}/*.h" "${ROOT}/*.cpp")
set(found "")
foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
        if(header MATCHES "\\.\\./|^core/")
            list(APPEND found "${file}: ${header} (reaches into another layer's folder)")
        elseif(EXISTS "${CORE}/${header}" AND NOT EXISTS "${OWN}/${header}")
            list(FIND allowed_core_headers "${header}" index)
            if(index EQUAL -1)
                list(APPEND found "${file}: ${header}")
            endif()
        endif()
    endforeach()
endforeach()
if(found)
    list(JOIN found "\n  " report)
    message(FATAL_ERROR "Core headers a front end may not include (see ${CMAKE_CURRENT_LIST_FILE}):\n  ${report}")
endif()
file(TOUCH "${STAMP}")
