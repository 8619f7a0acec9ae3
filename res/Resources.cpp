// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The resource library's own object file: the templates and images are linked in beside it
// by the resource compiler.
namespace pikora {

extern const int resourcesLinked = 1;

} // namespace pikora
