#include "Exchanges.h"
#include "link/TCommThread.h"

namespace Exchanges {

void runToggleTestSignal(TCommThread& link, const TQueuedMessage&)
{
    link.toggleTestSignal();
}

} // namespace Exchanges
