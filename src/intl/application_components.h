#pragma once
// The windows that exist, in creation order: what a language file's sections are looked up in
// and what the language-file writer writes. Windows add themselves when created and leave when
// destroyed; main thread only.
#include "intl/component.h"

namespace vx {

void RegisterApplicationComponent(Component* component);
void UnregisterApplicationComponent(Component* component);
const ApplicationComponents& AllApplicationComponents();

}  // namespace vx
