#pragma once
// The tags that the lookups of the parameter, group, sub-group and rem
// tables throw for a key they do not hold. Empty on purpose: the key is
// logged where it was read. Thrown by value, caught by reference to any base.

namespace PardeloStravon {

struct XMLError {};
struct ParError : XMLError {};
struct ParBadRef : ParError {};
struct GroupError : XMLError {};
struct GroupBadRef : GroupError {};
struct GroupSubError : XMLError {};
struct GroupSubBadRef : GroupSubError {};
struct RemError : XMLError {};
struct RemBadRef : RemError {};

}  // namespace PardeloStravon
