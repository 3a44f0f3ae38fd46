#include "workspace/plan_data.h"

#include "storage/numbers.h"

namespace lendora {

TypedNumber::TypedNumber(QString typed)
    : text(std::move(typed))
    , value(leadingNumber(text)) {}

} // namespace lendora
