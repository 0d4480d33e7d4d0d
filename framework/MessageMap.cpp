#include "framework/MessageMap.h"

namespace {

bool Matches(const MessageMapEntry& entry, MessageKind kind, UINT message, UINT code, UINT id)
{
    if (entry.kind != kind)
        return false;
    switch (kind) {
    case MessageKind::Message:
        return entry.message == message;
    case MessageKind::Command:
    case MessageKind::Notify:
        return entry.code == code && entry.id == id;
    case MessageKind::ReflectedCommand:
    case MessageKind::ReflectedNotify:
        return entry.code == code;
    case MessageKind::ReflectedCtlColor:
        return true;
    }
    return false;
}

}  // namespace

const MessageMapEntry* MessageMap::Find(MessageKind kind, UINT message, UINT code, UINT id) const
{
    for (const MessageMap* map = this; map; map = map->m_base) {
        for (const MessageMapEntry& entry : map->m_entries) {
            if (Matches(entry, kind, message, code, id))
                return &entry;
        }
    }
    return nullptr;
}
