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

gate_local_varbase_1 label word
dw 0
dw 0
dw 0
dw 0
dw 0

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
gate_trans_1_1_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  300.0,  0.0,  0.0,  0.0
gate_trans_1_1_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  150.0,  0.0,  1.5, 0.25
   real4  300.0,  0.0,  3.0, -0.5
gate_trans_1_1_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  3.0, -0.5
   real4  150.0,  0.0,  1.5, 0.25
   real4  300.0,  0.0,  0.0,  0.0
gate_trans_1_1_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  3.0, -0.5
   real4  300.0,  0.0,  3.0, -0.5
gate_quat_1_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  300.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  150.0,  0.0, 0.383,  0.0, 0.924
   real4  300.0,  0.0, 0.707,  0.0, 0.707
gate_quat_1_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  150.0,  0.0, 0.383,  0.0, 0.924
   real4  300.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  300.0,  0.0, 0.707,  0.0, 0.707

gate_local_varbase_2 label word
dw 0
dw 0
dw 0
dw 0
dw 0

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
gate_quat_2_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  300.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  75.0, 0.383,  0.0,  0.0, 0.924
   real4  150.0, 0.707,  0.0,  0.0, 0.707
   real4  225.0, 0.924,  0.0,  0.0, 0.383
   real4  300.0,  1.0,  0.0,  0.0,  0.0
gate_quat_2_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  75.0, 0.924,  0.0,  0.0, 0.383
   real4  150.0, 0.707,  0.0,  0.0, 0.707
   real4  225.0, 0.383,  0.0,  0.0, 0.924
   real4  300.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  300.0,  1.0,  0.0,  0.0,  0.0
animation_parameters_riff_end label byte

animation_commands_riff_start label byte
    db 'A','N','I','C'
    dd animation_commands_riff_end - $ - 4

bgl_animation_command_start_0 label word

BGL_TRANSFORM_INDIRECT 2, 0

bgl_animation_command_end_0 label word

bgl_animation_command_start_4 label word

BGL_TRANSFORM_INDIRECT 2, 4

bgl_animation_command_end_4 label word

bgl_animation_command_start_8 label word

BGL_TRANSFORM_INDIRECT 2, 8

bgl_animation_command_end_8 label word

bgl_animation_command_start_12 label word

BGL_TRANSFORM_INDIRECT 2, 12

bgl_animation_command_end_12 label word

bgl_animation_command_start_1 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_1_fc_512, 0h, 257, 512
IFMSK gate_1_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_1_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_a - offset gate_local_varbase_1),1

bgl_animation_command_end_1 label word

bgl_animation_command_start_5 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_5_fc_512, 0h, 257, 512
IFMSK gate_5_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_5_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_b - offset gate_local_varbase_1),5

bgl_animation_command_end_5 label word

bgl_animation_command_start_9 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_9_fc_512, 0h, 257, 512
IFMSK gate_9_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_9_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_c - offset gate_local_varbase_1),9

bgl_animation_command_end_9 label word

bgl_animation_command_start_13 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_13_fc_512, 0h, 257, 512
IFMSK gate_13_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_13_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_d - offset gate_local_varbase_1),13

bgl_animation_command_end_13 label word

bgl_animation_command_start_2 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_2_fc_512, 0h, 257, 512
IFMSK gate_2_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_2_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_a - offset gate_local_varbase_1), 0,2

bgl_animation_command_end_2 label word

bgl_animation_command_start_6 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_6_fc_512, 0h, 257, 512
IFMSK gate_6_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_6_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_b - offset gate_local_varbase_1), 0,6

bgl_animation_command_end_6 label word

bgl_animation_command_start_10 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_10_fc_512, 0h, 257, 512
IFMSK gate_10_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_10_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_c - offset gate_local_varbase_1), 0,10

bgl_animation_command_end_10 label word

bgl_animation_command_start_14 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0
IFIN1 gate_14_fc_512, 0h, 257, 512
IFMSK gate_14_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_14_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_d - offset gate_local_varbase_1), 0,14

bgl_animation_command_end_14 label word

bgl_animation_command_start_3 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0
IFIN1 gate_3_fc_512, 0h, 257, 512
IFMSK gate_3_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_3_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_a - offset gate_local_varbase_2),3

bgl_animation_command_end_3 label word

bgl_animation_command_start_7 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0
IFIN1 gate_7_fc_512, 0h, 257, 512
IFMSK gate_7_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_7_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_b - offset gate_local_varbase_2),7

bgl_animation_command_end_7 label word

bgl_animation_command_start_11 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0
IFIN1 gate_11_fc_512, 0h, 257, 512
IFMSK gate_11_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_11_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_c - offset gate_local_varbase_2),11

bgl_animation_command_end_11 label word

bgl_animation_command_start_15 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0
IFIN1 gate_15_fc_512, 0h, 257, 512
IFMSK gate_15_fc_512, 0h, 0001h
SETWRD 2h, 08000h
gate_15_fc_512 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_d - offset gate_local_varbase_2),15

bgl_animation_command_end_15 label word

animation_commands_riff_end label byte

scene_graph_riff_start label byte
    db 'S','C','E','N'
    dd scene_graph_riff_end - $ - 4

dw 16
bgl_scene_graph_entry_0 label byte
BGL_SCENEGRAPH_ENTRY 0, -1, 1, bgl_animation_command_end_0 - bgl_animation_command_start_0, bgl_animation_command_start_0 - bgl_scene_graph_entry_0
bgl_scene_graph_entry_1 label byte
BGL_SCENEGRAPH_ENTRY 1, 2, 3, bgl_animation_command_end_1 - bgl_animation_command_start_1, bgl_animation_command_start_1 - bgl_scene_graph_entry_1
bgl_scene_graph_entry_2 label byte
BGL_SCENEGRAPH_ENTRY 2, -1, -1, bgl_animation_command_end_2 - bgl_animation_command_start_2, bgl_animation_command_start_2 - bgl_scene_graph_entry_2
bgl_scene_graph_entry_3 label byte
BGL_SCENEGRAPH_ENTRY 3, -1, 4, bgl_animation_command_end_3 - bgl_animation_command_start_3, bgl_animation_command_start_3 - bgl_scene_graph_entry_3
bgl_scene_graph_entry_4 label byte
BGL_SCENEGRAPH_ENTRY 4, -1, 5, bgl_animation_command_end_4 - bgl_animation_command_start_4, bgl_animation_command_start_4 - bgl_scene_graph_entry_4
bgl_scene_graph_entry_5 label byte
BGL_SCENEGRAPH_ENTRY 5, 6, 7, bgl_animation_command_end_5 - bgl_animation_command_start_5, bgl_animation_command_start_5 - bgl_scene_graph_entry_5
bgl_scene_graph_entry_6 label byte
BGL_SCENEGRAPH_ENTRY 6, -1, -1, bgl_animation_command_end_6 - bgl_animation_command_start_6, bgl_animation_command_start_6 - bgl_scene_graph_entry_6
bgl_scene_graph_entry_7 label byte
BGL_SCENEGRAPH_ENTRY 7, -1, 8, bgl_animation_command_end_7 - bgl_animation_command_start_7, bgl_animation_command_start_7 - bgl_scene_graph_entry_7
bgl_scene_graph_entry_8 label byte
BGL_SCENEGRAPH_ENTRY 8, -1, 9, bgl_animation_command_end_8 - bgl_animation_command_start_8, bgl_animation_command_start_8 - bgl_scene_graph_entry_8
bgl_scene_graph_entry_9 label byte
BGL_SCENEGRAPH_ENTRY 9, 10, 11, bgl_animation_command_end_9 - bgl_animation_command_start_9, bgl_animation_command_start_9 - bgl_scene_graph_entry_9
bgl_scene_graph_entry_10 label byte
BGL_SCENEGRAPH_ENTRY 10, -1, -1, bgl_animation_command_end_10 - bgl_animation_command_start_10, bgl_animation_command_start_10 - bgl_scene_graph_entry_10
bgl_scene_graph_entry_11 label byte
BGL_SCENEGRAPH_ENTRY 11, -1, 12, bgl_animation_command_end_11 - bgl_animation_command_start_11, bgl_animation_command_start_11 - bgl_scene_graph_entry_11
bgl_scene_graph_entry_12 label byte
BGL_SCENEGRAPH_ENTRY 12, -1, 13, bgl_animation_command_end_12 - bgl_animation_command_start_12, bgl_animation_command_start_12 - bgl_scene_graph_entry_12
bgl_scene_graph_entry_13 label byte
BGL_SCENEGRAPH_ENTRY 13, 14, 15, bgl_animation_command_end_13 - bgl_animation_command_start_13, bgl_animation_command_start_13 - bgl_scene_graph_entry_13
bgl_scene_graph_entry_14 label byte
BGL_SCENEGRAPH_ENTRY 14, -1, -1, bgl_animation_command_end_14 - bgl_animation_command_start_14, bgl_animation_command_start_14 - bgl_scene_graph_entry_14
bgl_scene_graph_entry_15 label byte
BGL_SCENEGRAPH_ENTRY 15, -1, -1, bgl_animation_command_end_15 - bgl_animation_command_start_15, bgl_animation_command_start_15 - bgl_scene_graph_entry_15
scene_graph_riff_end label byte

bgl_riff_start label byte
    db 'B','G','L',' '
    dd bgl_riff_end - $ - 4
door300_MasterScale_1 label BGLCODE

LOCAL_BASE_32 gate_local_varbase_1
IFIN1 at_1, 6h, 1, 1
  IFIN1 at_1, 0h, 0, 3
    SETWRD 6h, 2
at_1 label word
IFIN1 at_2, 6h, 4, 4
  IFIN1 at_2, 0h, 0, 3
    SETWRD 6h, 5
at_2 label word
IFIN1 at_3, 6h, 2, 2
  IFIN1 at_3, 0h, 297, 300
    SETWRD 6h, 3
at_3 label word
IFIN1 at_4, 6h, 5, 5
  IFIN1 at_4, 0h, 297, 300
    SETWRD 6h, 0
at_4 label word

VAR_BASE_OVERRIDE 0
IFIN1 at_5, 0282h, 1, 1
  IFIN1 at_6, 6h, 0, 0
    SETWRD 6h, 1
  at_6 label word
  BGL_JUMP_32 at_8
at_5 label word
  IFIN1 at_7, 6h, 3, 3
    SETWRD 6h, 4
  at_7 label word
at_8 label word
BGL_JUMP_32 at_10
at_9 label word
SETWRD 6h, 0
at_10 label word

    BGL_BEGIN 0800h
LOCAL_BASE_32 gate_local_varbase_1
IFIN1 gate_0_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 0
BGL_JUMP_32 gate_0_cont
gate_0_1_1 label word
IFIN1 gate_0_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 4
BGL_JUMP_32 gate_0_cont
gate_0_1_2 label word
IFIN1 gate_0_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 8
BGL_JUMP_32 gate_0_cont
gate_0_1_3 label word
IFIN1 gate_0_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 12
BGL_JUMP_32 gate_0_cont
gate_0_1_4 label word
gate_0_cont label word

    BGL_MATERIAL 0, 0
    BGL_DRAW_TRILIST 0, 24, 36
LOCAL_BASE_32 gate_local_varbase_1
IFIN1 gate_1_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 1
BGL_JUMP_32 gate_1_cont
gate_1_1_1 label word
IFIN1 gate_1_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 5
BGL_JUMP_32 gate_1_cont
gate_1_1_2 label word
IFIN1 gate_1_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 9
BGL_JUMP_32 gate_1_cont
gate_1_1_3 label word
IFIN1 gate_1_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 13
BGL_JUMP_32 gate_1_cont
gate_1_1_4 label word
gate_1_cont label word

    BGL_DRAW_TRILIST 24, 8, 12
LOCAL_BASE_32 gate_local_varbase_1
IFIN1 gate_2_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 2
BGL_JUMP_32 gate_2_cont
gate_2_1_1 label word
IFIN1 gate_2_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 6
BGL_JUMP_32 gate_2_cont
gate_2_1_2 label word
IFIN1 gate_2_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 10
BGL_JUMP_32 gate_2_cont
gate_2_1_3 label word
IFIN1 gate_2_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 14
BGL_JUMP_32 gate_2_cont
gate_2_1_4 label word
gate_2_cont label word

    BGL_DRAW_TRILIST 32, 16, 24
LOCAL_BASE_32 gate_local_varbase_1
IFIN1 gate_3_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 3
BGL_JUMP_32 gate_3_cont
gate_3_1_1 label word
IFIN1 gate_3_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 7
BGL_JUMP_32 gate_3_cont
gate_3_1_2 label word
IFIN1 gate_3_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 11
BGL_JUMP_32 gate_3_cont
gate_3_1_3 label word
IFIN1 gate_3_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 15
BGL_JUMP_32 gate_3_cont
gate_3_1_4 label word
gate_3_cont label word

    BGL_MATERIAL 0, 1
    BGL_DRAW_TRILIST 48, 4, 6
    BGL_END
    BGL_RETURN
bgl_riff_end label byte

door300_riff_end label byte
