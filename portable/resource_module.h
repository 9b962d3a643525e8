#pragma once

#include <map>
#include <string>
#include <vector>

#include "portable/dialog_template.h"
#include "portable/pixel_image.h"
#include "portable/win_types.h"

// The resources as data, which the program carries as code on every
// platform: what the resource compiler would have produced.

// An icon with one image per size.
struct IconResource {
    std::vector<PixelImage> images;
    // The image of exactly this size, or the first one.
    const PixelImage* imageFor(int width, int height) const;
};

using BitmapResource = PixelImage;

// The resources that one program module carries: dialog templates, strings,
// icons and bitmaps, each under its numeric id.
class ResourceModule {
public:
    void addDialog(WORD id, DialogTemplate dialog) { m_dialogs[id] = std::move(dialog); }
    void addString(UINT id, std::string text) { m_strings[id] = std::move(text); }
    void addIcon(WORD id, IconResource icon) { m_icons[id] = std::move(icon); }
    void addBitmap(WORD id, BitmapResource bitmap) { m_bitmaps[id] = std::move(bitmap); }
    // The initialisation data (RT_DLGINIT) of dialog `id`.
    void addDialogInit(WORD id, std::vector<BYTE> data) { m_dialogInits[id] = std::move(data); }

    const DialogTemplate* dialog(WORD id) const;
    const std::string* string(UINT id) const;
    const IconResource* icon(WORD id) const;
    const BitmapResource* bitmap(WORD id) const;
    const std::vector<BYTE>* dialogInit(WORD id) const;

private:
    std::map<WORD, DialogTemplate> m_dialogs;
    std::map<UINT, std::string> m_strings;
    std::map<WORD, IconResource> m_icons;
    std::map<WORD, BitmapResource> m_bitmaps;
    std::map<WORD, std::vector<BYTE>> m_dialogInits;
};
