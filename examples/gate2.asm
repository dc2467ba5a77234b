; gate2.asm: scenery object gate2, exported for Fs2004

    .386
    .model flat

gate2_top label word
    BGL_LIBRARY_OBJECT_HEADER
    include gate2_0.asm ; model data

gate2_end label word
    end
