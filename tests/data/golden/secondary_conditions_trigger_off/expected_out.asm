; gate.asm: scenery object gate, exported for Fs2004

    .386
    .model flat

gate_top label word
    BGL_LIBRARY_OBJECT_HEADER
include out_0.asm

gate_end label word
    end
