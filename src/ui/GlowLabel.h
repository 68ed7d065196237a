// A status bar value: a text with a soft coloured glow behind it. The glow image is cached
// and rebuilt only when the text, the colour or the size changes.
#pragma once

#include "ui/model/LinkStatus.h"

#include <QImage>
#include <QWidget>

class GlowLabel : public QWidget {
    Q_OBJECT

public:
    explicit GlowLabel(QWidget* parent = nullptr);

    void setStatus(const StatusText& status);
    QString text() const { return m_status.Text; }
    Glow glow() const { return m_status.Colour; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int Radius = 4;
    StatusText m_status;
    QImage m_glow; // empty: to be rebuilt
};
