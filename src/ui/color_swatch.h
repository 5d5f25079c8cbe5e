// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clickable patch of one colour, as a picture box showing a chosen colour: a click, or Space
// or Enter while it has the focus, asks for a new colour. Assistive technology sees a button.

#include <QFrame>
#include <cstdint>

namespace zephal::ui {

class ColorSwatch final : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // 24-bit RGB, red in the low byte.
    void setColor(std::uint32_t rgb);
    std::uint32_t color() const;
    // What a click does: asks for a new colour.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace zephal::ui
