// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box and standard dialog goes through Dialogs, so that the windows never call a
// modal dialog directly: the program uses QtDialogs, the tests dialogs of their own that answer
// from a script (tests/support).

#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QWidget;

namespace zephal::ui {

inline const QString kApplicationTitle = QStringLiteral("Zephal");

// Colours are 24-bit RGB values with red in the low byte.
QColor toQColor(std::uint32_t rgb);
std::uint32_t fromQColor(const QColor& color);

// "Description|pattern|Description|pattern|" as Qt's "Description (pattern);;...".
QString qtFileFilter(const QString& pipeFilter);

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the text, an OK button and the application's title.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The chosen file, or empty text when the user cancelled. The dialog opens in `folder` and
    // offers those of `sideBar` that exist beside the usual places.
    virtual QString openFileName(QWidget* parent, const QString& pipeFilter, const QString& folder,
                                 const QStringList& sideBar) = 0;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<std::uint32_t> pickColor(QWidget* parent, std::uint32_t initial) = 0;
};

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& pipeFilter, const QString& folder,
                         const QStringList& sideBar) override;
    std::optional<std::uint32_t> pickColor(QWidget* parent, std::uint32_t initial) override;
};

}  // namespace zephal::ui
