// The base dashboard control.
#include "widgets/TControl.h"

TControl::TControl(QWidget* parent) : QWidget(parent), m_font(new TFont(this))
{
    connect(m_font, &TFont::changed, this, [this] {
        if (!m_takingParentFont)
            m_parentFont = false;
        fontChanged();
    });
    if (parent)
        applyParent();
}

void TControl::setVisibleState(bool visible)
{
    m_visible = visible;
    if (parentWidget())
        QWidget::setVisible(visible);
}

void TControl::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    colorChanged();
}

void TControl::assignFont(TFont* font)
{
    if (font && font != m_font)
        m_font->assign(*font);
}

void TControl::setParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    if (parentFont)
        applyParent();
}

void TControl::message(TMessage&) {}

bool TControl::event(QEvent* e)
{
    if (e->type() == Msg::WM_PID_CHANGED || e->type() == Msg::WM_SLOTS_CLEARED) {
        if (auto* msg = dynamic_cast<TMessage*>(e)) {
            message(*msg);
            return true;
        }
    }
    if (e->type() == QEvent::ParentChange)
        applyParent();
    return QWidget::event(e);
}

void TControl::colorChanged()
{
    update();
}

void TControl::fontChanged()
{
    update();
}

void TControl::applyParent()
{
    if (!parentWidget())
        return;
    if (m_parentFont) {
        if (auto* parent = qobject_cast<TControl*>(parentWidget())) {
            m_takingParentFont = true;
            m_font->assign(*parent->Font());
            m_takingParentFont = false;
        }
    }
    // A new parent hides a widget; show it again if it is meant to be seen.
    QWidget::setVisible(m_visible);
}
