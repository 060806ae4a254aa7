#include "engine/display_scale_link.h"

namespace {

double plainScale = 1.0;

KavlorMain::DisplayScaleLink PlainLink() {
    plainScale = 1.0;
    return {[] { return plainScale; }, [](double scale) { plainScale = scale; },
            [] { return 1.0; }};
}

KavlorMain::DisplayScaleLink& Link() {
    static KavlorMain::DisplayScaleLink link = PlainLink();
    return link;
}

}  // namespace

void KavlorMain::LinkDisplayScale(DisplayScaleLink link) {
    Link() = std::move(link);
}

void KavlorMain::UnlinkDisplayScale() {
    Link() = PlainLink();
}

const KavlorMain::DisplayScaleLink& KavlorMain::LinkedDisplayScale() {
    return Link();
}
