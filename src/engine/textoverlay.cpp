// Text overlay: the stamp rendered into a label image and composited over the
// output file in place.
#include "batchrun.h"

namespace vexl {

void BatchRun::OverlayStep()
{
    op(QStringLiteral("Overlay Text"));
}

} // namespace vexl
