// The module's bytes travel inside the page as base64. Handed to the loader, they keep it from
// fetching its own data: address, which the page's policy forbids like every other connection.
export function moduleBytes() {
    const text = atob(document.getElementById('module-bytes').textContent);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i)
        bytes[i] = text.charCodeAt(i);
    return bytes;
}
