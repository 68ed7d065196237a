#include "Exchanges.h"
#include "link/TLinkContext.h"

namespace Exchanges {

void runToggleTestSignal(TLinkContext& link, const TQueuedMessage&)
{
    link.toggleTestSignal();
}

} // namespace Exchanges
