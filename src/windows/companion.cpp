#include "companion.h"

#include <memory>

#include "app/pictures.h"
#include "framework/canvas.h"
#include "framework/static_text.h"
#include "framework/window.h"

namespace ulvarin {

StaticText& AddLabel(Window& window, const LabelPlace& place, const std::string& text) {
    auto& label = window.AddControl(std::make_unique<StaticText>(window, place.name));
    label.SetBounds(place.left, place.top, place.width, place.height);
    label.SetTextSize(place.textSize);
    label.SetMultiline(place.multiline);
    label.SetText(text);
    return label;
}

Canvas& AddCover(Window& window, std::int32_t left, std::int32_t top) {
    auto& cover = window.AddControl(std::make_unique<Canvas>(window, "Canvas1"));
    cover.SetBackdrop(VelmaricCover());
    cover.SetBounds(left, top, 158, 204);
    return cover;
}

}  // namespace ulvarin
