#include "app/OutputPending.h"

namespace quendal {

std::string_view SetResponseTitle() { return {}; }
int32_t AmpExplanation() { return 0; }
int32_t PwExplanation() { return 0; }
int32_t ImpExplanation() { return 0; }
int32_t DpExplanation() { return 0; }
int32_t AsExplanation() { return 0; }
int32_t VentInfo() { return 0; }

}  // namespace quendal
