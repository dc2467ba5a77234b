; door600.asm: scenery object door600, exported for Fs2004

    .386
    .model flat

door600_top label word
    BGL_LIBRARY_OBJECT_HEADER
include out_0.asm

door600_end label word
    end
