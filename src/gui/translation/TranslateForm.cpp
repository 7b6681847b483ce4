// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation/TranslateForm.h"

#include "i18n/LanguageFile.h"
#include "widgets/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace tervane {

namespace {

// A caption is a few words: a longer text from a damaged file would make a
// control, and the window with it, wider than any screen.
constexpr qsizetype MaximumCaptionLength = 500;

QString lookup(const LanguageFile& file, const QString& key, const QString& current)
{
    const QString text = lookupTranslation(file, key, current);
    return text.size() > MaximumCaptionLength ? current : text;
}

void translateControl(QObject* control, const LanguageFile& file)
{
    if (control->objectName().isEmpty() || control->property(FixedTextProperty).toBool())
        return;
    const QString key = controlKey(control);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->pixmap().isNull())
            label->setText(lookup(file, key, label->text()));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(lookup(file, key, frame->title()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(lookup(file, key, button->text()));
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setText(lookup(file, control->objectName(), box->text()));
    } else if (auto* item = qobject_cast<QAction*>(control)) {
        if (!item->isSeparator())
            item->setText(lookup(file, key, item->text()));
    }
}

} // namespace

void translateForm(QWidget* window, const LanguageFile& file)
{
    if (!file.isLoaded() || !QFileInfo::exists(file.path()))
        return;
    window->setWindowTitle(lookup(file, window->objectName(), window->windowTitle()));
    for (QObject* control : window->findChildren<QObject*>())
        translateControl(control, file);
}

} // namespace tervane
