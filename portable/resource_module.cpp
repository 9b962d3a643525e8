#include "portable/resource_module.h"

const PixelImage* IconResource::imageFor(int width, int height) const {
    for (const PixelImage& image : images) {
        if (image.width == width && image.height == height) return &image;
    }
    return images.empty() ? nullptr : &images.front();
}

const DialogTemplate* ResourceModule::dialog(WORD id) const {
    const auto found = m_dialogs.find(id);
    return found == m_dialogs.end() ? nullptr : &found->second;
}

const std::string* ResourceModule::string(UINT id) const {
    const auto found = m_strings.find(id);
    return found == m_strings.end() ? nullptr : &found->second;
}

const IconResource* ResourceModule::icon(WORD id) const {
    const auto found = m_icons.find(id);
    return found == m_icons.end() ? nullptr : &found->second;
}

const BitmapResource* ResourceModule::bitmap(WORD id) const {
    const auto found = m_bitmaps.find(id);
    return found == m_bitmaps.end() ? nullptr : &found->second;
}

const std::vector<BYTE>* ResourceModule::dialogInit(WORD id) const {
    const auto found = m_dialogInits.find(id);
    return found == m_dialogInits.end() ? nullptr : &found->second;
}
