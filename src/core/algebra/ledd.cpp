#include "core/algebra/regning.h"

namespace balvo {
namespace {

int maske(const Ark& ark, int n, int o) {
    const auto& t = ark.teller[n];
    return (t[o + 1] != 0 ? 4 : 0) + (t[o + 2] != 0 ? 2 : 0) + (t[o + 3] != 0 ? 1 : 0);
}

}  // namespace

int venstreledd(const Ark& ark, int n) {
    return maske(ark, n, 0);
}
int hoeyreledd(const Ark& ark, int n) {
    return maske(ark, n, 3);
}

}  // namespace balvo
