// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find_field.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "app/application.h"
#include "app/main_window.h"
#include "convert/conversion_window.h"
#include "ui/twips.h"

namespace zephal {
namespace {
// Narrow enough that the field fits beside the toolbar's buttons in the narrowest main window.
constexpr int kMinimumWidthTw = 1200;
// What a line of the list can show of a long query.
constexpr qsizetype kShownQuery = 40;

QString noMatchText(const QString& query) {
    const QString shown =
        query.size() > kShownQuery ? query.left(kShownQuery) + QChar(u'\u2026') : query;
    return QStringLiteral("No unit or quantity matches \"%1\"").arg(shown);
}

// Says in a window's value box how the find field read what was typed ("355 N/cm² = 3.55 MPa"),
// until the value or the unit changes and the note no longer holds.
class EntryNote final : public QObject {
public:
    EntryNote(QLineEdit* box, QComboBox* units, const QString& note)
        : QObject(box), m_box(box), m_note(note), m_before(box->toolTip()) {
        box->setToolTip(note);
        box->setAccessibleDescription(note);
        m_edits[0] = connect(box, &QLineEdit::textChanged, this, &EntryNote::end);
        m_edits[1] = connect(units, &QComboBox::currentIndexChanged, this, &EntryNote::end);
    }

private:
    void end() {
        // The window may have put a note of its own there meanwhile; that one stays.
        if (m_box->toolTip() == m_note) {
            m_box->setToolTip(m_before);
            m_box->setAccessibleDescription({});
        }
        for (const QMetaObject::Connection& edit : m_edits) disconnect(edit);
        deleteLater();
    }

    QLineEdit* m_box;
    QString m_note;
    QString m_before;
    QMetaObject::Connection m_edits[2];
};
}  // namespace

FindField::FindField(Application& app, QWidget* parent) : QLineEdit(parent), m_app(app) {
    setObjectName(QStringLiteral("Find"));
    setPlaceholderText(QStringLiteral("Find a unit or quantity"));
    setToolTip(QStringLiteral(
        "Find a unit or quantity by its symbol or name (Ctrl+F).\n"
        "Type a value with its unit, such as 355 MPa, and press Enter to convert it."));
    setAccessibleName(QStringLiteral("Find a unit or quantity"));
    setMinimumWidth(ui::toPixels(kMinimumWidthTw));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_list = new QListWidget(this);
    m_list->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    m_list->setAttribute(Qt::WA_ShowWithoutActivating);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setAccessibleName(QStringLiteral("Matches"));
    connect(m_list, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { openMatch(index.row()); });

    connect(this, &QLineEdit::textChanged, this, &FindField::showMatches);
    // Application-wide, so that it reaches the main window from every other window too.
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    shortcut->setContext(Qt::ApplicationShortcut);
    connect(shortcut, &QShortcut::activated, this, &FindField::focusFromAnywhere);
    // The list stays under the field: it closes when the main window moves, resizes or hides.
    parent->window()->installEventFilter(this);
}

void FindField::setFinder(UnitFinder finder) {
    m_finder = std::move(finder);
    showMatches();
}

void FindField::focusFromAnywhere() {
    Form1& main = m_app.form1();
    if (main.isMinimized()) main.setWindowState(main.windowState() & ~Qt::WindowMinimized);
    main.showInFront();
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

void FindField::showMatches() {
    m_result = m_finder.find(text());
    m_list->clear();
    for (const FindMatch& match : m_result.matches) m_list->addItem(match.label);
    // Text that finds nothing says so in a line that cannot be picked, and in the field's
    // description, which a screen reader announces as it changes.
    const QString query = text().trimmed();
    const QString nothing =
        m_result.matches.empty() && !query.isEmpty() ? noMatchText(query) : QString();
    if (!nothing.isEmpty()) {
        // Enabled, so that it reads in the list's own text colour; never selectable.
        auto* line = new QListWidgetItem(nothing, m_list);
        line->setFlags(Qt::ItemIsEnabled);
        QFont italic = m_list->font();
        italic.setItalic(true);
        line->setFont(italic);
    }
    if (accessibleDescription() != nothing) setAccessibleDescription(nothing);
    // Only while the field is where the main window's keys go: a read that changes the matches
    // under a field left with some text does not open the list by itself.
    if (m_list->count() == 0 || !isVisible() || window()->focusWidget() != this) {
        m_list->hide();
        return;
    }
    m_list->setCurrentRow(m_result.matches.empty() ? -1 : 0);
    placeList();
    m_list->show();
}

// Under the field, as wide as its longest line needs, within the screen.
void FindField::placeList() {
    m_list->setFont(font());  // a window of its own does not take the main window's font
    const int frame = 2 * m_list->frameWidth();
    const QRect screen = this->screen()->availableGeometry();
    const int width =
        std::min(std::max(this->width(), m_list->sizeHintForColumn(0) + frame), screen.width());
    const int height = m_list->count() * m_list->sizeHintForRow(0) + frame;
    QPoint at = mapToGlobal(QPoint(0, this->height()));
    at.setX(std::clamp(at.x(), screen.left(), screen.right() + 1 - width));
    m_list->setGeometry(QRect(at, QSize(width, height)));
}

void FindField::moveCurrent(int step) {
    if (m_result.matches.empty()) return;
    if (m_list->isHidden()) {
        showMatches();
        return;
    }
    m_list->setCurrentRow(std::clamp(m_list->currentRow() + step, 0, m_list->count() - 1));
}

void FindField::openMatch(int row) {
    if (row < 0 || row >= static_cast<int>(m_result.matches.size())) return;
    const FindMatch match = m_result.matches[static_cast<std::size_t>(row)];
    const QString& value = match.value;
    m_list->hide();
    m_app.form1().Command1_Click(match.button);
    const std::vector<Form2*> windows = m_app.conversionWindows();
    if (windows.empty()) return;
    Form2* window = windows.back();
    if (match.unit >= 0 && match.unit < window->Combo1->count()) {
        window->Combo1->setCurrentIndex(match.unit);
    }
    // A number longer than the value box takes would lose its last digits there and convert
    // as another number: the window then keeps the value it opened with.
    if (!value.isEmpty() && value.size() <= window->Text1->maxLength()) {
        window->Text1->setText(value);
        if (!match.note.isEmpty()) new EntryNote(window->Text1, window->Combo1, match.note);
    }
}

void FindField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Down:
            moveCurrent(1);
            break;
        case Qt::Key_Up:
            moveCurrent(-1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openMatch(m_list->isHidden() ? 0 : m_list->currentRow());
            break;
        case Qt::Key_Escape:
            clear();
            break;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void FindField::focusOutEvent(QFocusEvent* event) {
    m_list->hide();
    QLineEdit::focusOutEvent(event);
}

bool FindField::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Hide:
            m_list->hide();
            break;
        default:
            break;
    }
    return QLineEdit::eventFilter(watched, event);
}

}  // namespace zephal
