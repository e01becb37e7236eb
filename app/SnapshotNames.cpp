#include "app/PrintingPage.h"
#include "app/Snapshot.h"

namespace quendal {

std::string SnapshotFileName(std::string_view modelName, std::string_view responseTitle, int32_t number) {
    return fitForFileName(std::string(modelName) + "_" + std::string(responseTitle) + "_" + std::to_string(number) +
                          ".png");
}

}  // namespace quendal
