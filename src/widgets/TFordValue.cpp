// The value label.
#include "widgets/TFordValue.h"

#include "common/FloatFormat.h"
#include "common/Texts.h"

TFordValue::TFordValue(QWidget* parent) : TLabel(parent) {}

void TFordValue::setLabelFormat(const QString& format)
{
    m_format = format;
    sendSelfUpdate();
}

void TFordValue::setLabelRatio(float ratio)
{
    m_ratio = ratio;
    sendSelfUpdate();
}

// Formats the caption again at once; this counts as one unchanged reading.
void TFordValue::sendSelfUpdate()
{
    TMessage msg(Msg::WM_PID_CHANGED, m_pid, Msg::floatToLParam(m_last));
    message(msg);
}

// A value that cannot be shown (bad format, zero ratio) leaves the previous caption.
void TFordValue::showValue(float value)
{
    if (m_ratio == 0.0f) {
        m_problems.report(this, Texts::text(Texts::ValueZeroRatio));
        return;
    }
    try {
        setCaption(formatFloat(m_format, static_cast<long double>(value) / m_ratio));
    } catch (const FormatError& e) {
        m_problems.report(this, e.message());
    }
}

void TFordValue::message(TMessage& msg)
{
    if (msg.type() != Msg::WM_PID_CHANGED)
        return;
    if (msg.WParam == m_pid) {
        const float v = Msg::lParamToFloat(msg.LParam);
        showValue(v);
        if (v != m_last && m_counter < m_dynCount) {
            // A fall takes LabelDynColorUp and a rise LabelDynColorDown.
            Font()->setColor(v < m_last ? m_dynColorUp : m_dynColorDown);
        } else {
            ++m_counter;
            if (m_counter > m_dynCount) {
                m_counter = 0;
                Font()->setColor(m_dynColor);
            }
        }
        m_last = v;
    } else if (msg.WParam == 0) {
        showValue(m_last);
    }
}
