// Starts the program once the module is ready; the mark times the page's start.
createPalettra({ wasmBinary: moduleBytes() }).then((module) => {
    const program = new module.Program();
    palettraPage.connect(program);
    program.start();
    performance.mark('palettra-started');
});
