#include "palette/Pending.h"

namespace quendal {

void BoxParameterBackup() {}       // app/ParameterPasses
void SnapShot() {}                 // app/ snapshot
void NavAskWind(int32_t) {}        // app/ design flow
void ChangeToSystemSelect() {}     // app/ design flow
void ChangeToSpeakerSelect() {}    // app/ design flow

}  // namespace quendal
