#include "app/listing.h"

#include <string>

namespace vemla {

std::string EngineYearsEndLine() {
    return "End of the listing: the Chinese calendar is laid out only for the years " +
           std::to_string(kMinChineseYear) + " to " + std::to_string(kMaxChineseYear) +
           " CE; beyond them its tables of terms and months are no longer consistent." +
           std::string(kLineEnd);
}

}  // namespace vemla
