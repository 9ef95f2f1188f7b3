#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/windows/drag_drop.h"

// Drag and clipboard data as the toolkit carries it: (mime type, bytes) pairs. Text travels
// as "text/plain" in UTF-8, registered formats as "application/x-clipboard-<name>".
using TMimeItems = std::vector<std::pair<String, TClipboardData>>;
// A format the data object will not render is left out.
TMimeItems MimeItemsOf(IDataObject& data);
std::unique_ptr<TDataObject> DataObjectOf(const TMimeItems& items);
String MimeTypeOfFormat(TClipboardFormat format);

// Drags that leave our windows go on as the toolkit's drag, so that other programs can take
// the data.
std::unique_ptr<TDragDropService> MakeToolkitDragDrop();
