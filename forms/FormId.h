#pragma once
// The type of the ids by which the registry holds the windows and a window
// opens another. The program lists its windows in navigation/FormId.h; this
// layer knows only the type, so no other value, of another enumeration or a
// plain number, passes for an id.

enum class FormId : int;
