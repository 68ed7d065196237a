#include "ReaderContext.h"

#include <QComboBox>

int ReaderContext::currentVehicle() const
{
    return CurrentAuto ? CurrentAuto->currentIndex() : -1;
}
