#include "registry.h"

#include <stdexcept>

namespace art {

Pt Context::Size(const std::string& object, Pt fallback) const {
  auto it = map.objects.find(object);
  if (it == map.objects.end()) return fallback;
  return {static_cast<float>(it->second.rect.width), static_cast<float>(it->second.rect.height)};
}

void Registry::Picture(const std::string& name, PictureFn fn) {
  if (!pictures.emplace(name, std::move(fn)).second)
    throw std::logic_error("two painters for " + name);
}

void Registry::Sound(const std::string& name, SoundFn fn) {
  if (!sounds.emplace(name, std::move(fn)).second) throw std::logic_error("two sounds for " + name);
}

}  // namespace art
