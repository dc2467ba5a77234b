; door300_0.asm: model data of the scenery object door300

door300_riff_start label byte
    db 'R','I','F','F'
    dd door300_riff_end - $ - 4
    db 'M','D','L','9'

model_header_riff_start label byte
    db 'M','D','L','H'
    dd model_header_riff_end - $ - 4
    dd 36
    dd 0, 0, 0, 0
model_header_riff_end label byte

animation_parameters_riff_start label byte
    db 'A','N','I','P'
    dd animation_parameters_riff_end - $ - 4
gate_1_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_1_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_1_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_trans_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4 0.0, abc, 0.0
   real4 150.0x, 0.0, 1.5, 0.25
   real4 300.0, 0.0, 3.0, -0.5
gate_quat_1 label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
	real4 0.0, ., 0.000000, 0.0, 1.000000
   real4 150.0, 0.0, 0.382683, 0.0, 0.923880
   real4 300.0, 0.0, 0.707107, 0.0, 0.707107
gate_2_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_2_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_2_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_quat_2 label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5.4
   real4 0.0, 0.000000, 0.0, 0.0, 1.000000
   real4 75.0, 0.382683, 0.0, 0.0, 0.923880
   real4 150.0, 0.707107, 0.0, 0.0, 0.707107
   real4 225.0, 0.923880, 0.0, 0.0, 0.382683
   real4 300.0, 1.000000, 0.0, 0.0
animation_parameters_riff_end label byte

animation_commands_riff_start label byte
    db 'A','N','I','C'
    dd animation_commands_riff_end - $ - 4
; frame of the whole gate
bgl_animation_command_start_0 label word
    BGL_TRANSFORM_INDIRECT 2, 0
bgl_animation_command_end_0 label word
; part 1: the barrier lifts and swings
bgl_animation_command_start_1 label word
    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
    VAR_BASE_LOCAL,0h,\
    VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_anim_base)
    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1 - offset gate_anim_base), 1
bgl_animation_command_end_1 label word
bgl_animation_command_start_2 label word
    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
    VAR_BASE_LOCAL,0h,\
    VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_anim_base)
    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1 - offset gate_anim_base), 0, 2
bgl_animation_command_end_2 label word
; part 2: the sign turns
bgl_animation_command_start_3 label word
    BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
    VAR_BASE_LOCAL,0h,\
    VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_anim_base)
    BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2 - offset gate_anim_base), 3
bgl_animation_command_end_3 label word
animation_commands_riff_end label byte

scene_graph_riff_start label byte
    db 'S','C','E','N'
    dd scene_graph_riff_end - $ - 4
    dw 4
bgl_scene_graph_entry_0 label byte
    BGL_SCENEGRAPH_ENTRY 0, -1, 1, bgl_animation_command_end_0 - bgl_animation_command_start_0, bgl_animation_command_start_0 - bgl_scene_graph_entry_0
bgl_scene_graph_entry_1 label byte
    BGL_SCENEGRAPH_ENTRY 1,	2,	3, bgl_animation_command_end_1 - bgl_animation_command_start_1, bgl_animation_command_start_1 - bgl_scene_graph_entry_1
bgl_scene_graph_entry_2 label byte
    BGL_SCENEGRAPH_ENTRY 2, -1.2, -1, bgl_animation_command_end_2 - bgl_animation_command_start_2, bgl_animation_command_start_2 - bgl_scene_graph_entry_2
bgl_scene_graph_entry_3 label byte
    BGL_SCENEGRAPH_ENTRY 3, -1, -1, bgl_animation_command_end_3 - bgl_animation_command_start_3, bgl_animation_command_start_3 - bgl_scene_graph_entry_3
scene_graph_riff_end label byte

bgl_riff_start label byte
    db 'B','G','L',' '
    dd bgl_riff_end - $ - 4
door300_MasterScale_1 label BGLCODE
    BGL_BEGIN 0800h
    BGL_SET_MATRIX_INDIRECT 0
    BGL_MATERIAL 0, 0
    BGL_DRAW_TRILIST 0, 24, 36
    BGL_SET_MATRIX_INDIRECT 1
    BGL_DRAW_TRILIST 24, 8, 12
    BGL_SET_MATRIX_INDIRECT 2
    BGL_DRAW_TRILIST 32, 16, 24
    BGL_SET_MATRIX_INDIRECT 3
    BGL_MATERIAL 0, 1
    BGL_DRAW_TRILIST 48, 4, 6
    BGL_END
    BGL_RETURN
bgl_riff_end label byte

door300_riff_end label byte
