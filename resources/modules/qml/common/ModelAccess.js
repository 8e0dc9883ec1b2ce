.pragma library

// Reading list models that owners fill: a ListModel, or anything with a
// count and get(i). A missing model, a short one or a missing role reads as
// empty, never as "undefined" on screen.

function count(model) {
    if (!model || typeof model.count !== "number")
        return 0
    return model.count
}

function text(model, index, role) {
    if (index < 0 || index >= count(model) || typeof model.get !== "function")
        return undefined
    var entry = model.get(index)
    if (!entry || entry[role] === undefined || entry[role] === null)
        return ""
    return String(entry[role])
}

// The text a list control shows for its current entry: the entry's text, or
// the placeholder while no entry (or one past the model's end) is chosen.
function currentText(model, index, strings) {
    var shown = text(model, index, "textX")
    if (shown !== undefined)
        return shown
    return "【 " + (strings && strings[1] !== undefined ? strings[1] : "OPTIONS") + " 】"
}
