// The trend chart's view options.
#include "profiles/TTrendViewOptions.h"

TTrendViewOptions::TTrendViewOptions(QObject* parent)
    : QObject(parent)
{
}
