// Helpers for the profile tests: catching definition reports and applying definitions.
#pragma once

#include "profiles/DefinitionErrors.h"
#include "profiles/PropertyDefinitions.h"

#include <QObject>
#include <QStringList>

// Collects the definition reports (message and detail) made while it lives.
class DefinitionRecorder {
public:
    DefinitionRecorder()
    {
        m_previous
            = setDefinitionErrorReporter([this](const QString& message, const QString& detail) {
                  messages.append(message);
                  details.append(detail);
              });
    }
    ~DefinitionRecorder() { setDefinitionErrorReporter(m_previous); }
    DefinitionRecorder(const DefinitionRecorder&) = delete;
    DefinitionRecorder& operator=(const DefinitionRecorder&) = delete;

    QStringList messages;
    QStringList details;

private:
    DefinitionErrorReporter m_previous;
};

// One definition as a profile line gives it: the path as text, the value as UTF-8 bytes.
inline bool define(
    QObject* target, const char* path, const QByteArray& value, QObject* owner = nullptr)
{
    return ApplyDefinition(owner, target, QString::fromUtf8(path), value);
}
